# The heading indicator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK heading1.1x.png heading3.1x.png Cutouts.js heading1.png heading2.png heading3.png heading4.png
    ALSO_AT Cessna/instrumentos/Heading Cessna/StandBy/instrumentos/Heading
            Baron/instrumentos/Heading Caravan/instrumentos/Heading)
