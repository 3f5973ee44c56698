# Suction and ammeter gauge of the Cessna panel.
radod_mount(
    ARTWORK Cutouts.js VacAmp.png VacAmpNeedle.png VacAmpCover.png
    ALSO_AT Cessna/instrumentos/VacAmp)
