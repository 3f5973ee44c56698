# Manifold pressure gauge of the stand-by panel.
radod_mount(
    ARTWORK manifoldback.1x.png Cutouts.js manifoldback.png needle.png
    ALSO_AT Cessna/StandBy/instrumentos/Manifold)
