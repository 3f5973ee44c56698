# Two-tank fuel quantity gauge of the Cessna panel.
radod_mount(
    ARTWORK DualFuel.1x.png DualFuelCover.1x.png Cutouts.js DualFuel.png DualFuelNeedle.png DualFuelCover.png
    ALSO_AT Cessna/instrumentos/DualFuel)
