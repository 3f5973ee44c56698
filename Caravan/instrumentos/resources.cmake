# What the Caravan's own gauges share: their needle.
radod_mount()
