# Exhaust-gas temperature and fuel flow gauge of the Cessna panel.
radod_mount(
    ARTWORK EGT.1x.png EGTCover.1x.png Cutouts.js EGT.png egtNeedle.png EGTCover.png
    ALSO_AT Cessna/instrumentos/EgtFuelFlow)
