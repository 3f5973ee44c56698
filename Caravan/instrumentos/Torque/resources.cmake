# The Caravan torque indicator (its face and needle are under Caravan/images).
radod_mount()
