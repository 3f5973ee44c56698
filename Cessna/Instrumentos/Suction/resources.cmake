# Suction gauge of the stand-by panel.
radod_mount(
    ARTWORK VacGauge.1x.png Cutouts.js VacGauge.png VacNeedle.png
    ALSO_AT Cessna/StandBy/instrumentos/Suction)
