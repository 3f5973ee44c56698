radod_mount()
