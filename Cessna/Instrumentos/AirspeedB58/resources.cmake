# The wide-range airspeed indicator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK airspeed1.1x.png Cutouts.js airspeed1.png airspeed2.png
    ALSO_AT Cessna/instrumentos/AirspeedB58 Cessna/StandBy/instrumentos/AirspeedB58
            Baron/instrumentos/AirspeedB58 Caravan/instrumentos/AirspeedB58)
