# Exhaust-gas temperature and fuel flow gauge of the Cessna panel.
radod_mount(
    ARTWORK Cutouts.js EGT.png egtNeedle.png EGTCover.png
    ALSO_AT Cessna/instrumentos/EgtFuelFlow)
