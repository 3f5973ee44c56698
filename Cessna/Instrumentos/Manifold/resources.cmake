# Manifold pressure gauge of the stand-by panel.
radod_mount(
    ARTWORK Cutouts.js manifoldback.png needle.png
    ALSO_AT Cessna/StandBy/instrumentos/Manifold)
