# The compact radio settings menu.
radod_mount()
