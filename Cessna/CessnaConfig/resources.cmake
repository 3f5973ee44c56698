# The Cessna panel's layout menu.
radod_mount()
