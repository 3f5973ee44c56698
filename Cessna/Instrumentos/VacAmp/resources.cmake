# Suction and ammeter gauge of the Cessna panel.
radod_mount(
    ARTWORK VacAmp.1x.png VacAmpCover.1x.png Cutouts.js VacAmp.png VacAmpNeedle.png VacAmpCover.png
    ALSO_AT Cessna/instrumentos/VacAmp)
