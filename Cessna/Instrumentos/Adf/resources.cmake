# The ADF indicator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK ADF.1x.png ADFcover.1x.png Cutouts.js ADF.png adfOBScard.png ADFneedle.png ADFcover.png
    ALSO_AT Cessna/instrumentos/Adf)
