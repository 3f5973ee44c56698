# Trim and flap indicator of the Cessna and stand-by panels.
radod_mount(
    ARTWORK trimcover.1x.png trimcover.png trimindicator.png
    EXTRA fonts/DSEG14Classic-Regular.ttf=digital-7.ttf
    ALSO_AT Cessna/instrumentos/Trim Cessna/StandBy/instrumentos/Trim)
