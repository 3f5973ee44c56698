# The altimeter, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK altimeterback.1x.png Cutouts.js altimeterback.png altneedle10000.png altneedle1000.png altneedle100.png
    ALSO_AT Cessna/instrumentos/Altimeter Cessna/StandBy/instrumentos/Altimeter
            Baron/instrumentos/Altimeter Caravan/instrumentos/Altimeter)
