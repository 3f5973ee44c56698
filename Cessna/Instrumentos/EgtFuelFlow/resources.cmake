# Exhaust-gas temperature and fuel flow gauge of the Cessna panel.
radod_mount(
    ARTWORK EGT.png egtNeedle.png EGTCover.png
    ALSO_AT Cessna/instrumentos/EgtFuelFlow)
