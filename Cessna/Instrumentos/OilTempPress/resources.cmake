# Oil temperature and pressure gauge of the Cessna panel.
radod_mount(
    ARTWORK OilPressTempCover.1x.png OilPressTempFace.1x.png Cutouts.js OilPressTempFace.png OilPressTempNeedle.png OilPressTempCover.png
    ALSO_AT Cessna/instrumentos/OilTempPress)
