# Suction gauge of the stand-by panel.
radod_mount(
    ARTWORK Cutouts.js VacGauge.png VacNeedle.png
    ALSO_AT Cessna/StandBy/instrumentos/Suction)
