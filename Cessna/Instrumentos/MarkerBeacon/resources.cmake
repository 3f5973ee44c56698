# The marker-beacon lamps, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK background.png on.png
    ALSO_AT Cessna/instrumentos/MarkerBeacon)
