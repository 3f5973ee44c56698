# The attitude indicator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK attitude.1x.png horizonteBg.png attitude_horizon.png attroll.png attitude.png
    ALSO_AT Cessna/instrumentos/Attitude Cessna/StandBy/instrumentos/Attitude
            Baron/instrumentos/Attitude Caravan/instrumentos/Attitude)
