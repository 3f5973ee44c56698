# The airspeed indicator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK airspeed.1x.png airspeed210.1x.png airspeed.png airspeed210.png needle_shadow.png needle.png
    ALSO_AT Cessna/instrumentos/Airspeed Cessna/StandBy/instrumentos/Airspeed
            Baron/instrumentos/Airspeed)
