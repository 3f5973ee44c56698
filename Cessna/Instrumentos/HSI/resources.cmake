# The horizontal situation indicator, one source mounted wherever a panel
# imports it. The layers shown scaled down are drawn at the pixel size the
# document gives them.
radod_mount(
    ARTWORK "HSI_Bezel ext.1x.png" "HSI_inner bezel.1x.png" HSI_background.1x.png Cutouts.js "HSI_background.png" "HSI_compas rose.png" "HSI_headingbug.png"
            "HSI_Needle arrow.png" "HSI_loc scale.png" "HSI_Needle center.png"
            "HSI_flag HDG right.png" "HSI_flag NAV left.png" "HSI_inner bezel.png"
            "HSI_ILS bugs.png" "HSI_Bezel ext.png"
    ALSO_AT Cessna/instrumentos/HSI Baron/instrumentos/HSI)
