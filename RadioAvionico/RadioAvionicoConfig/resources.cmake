# The radio settings menu (shared by both radio panels) and the avionics menu.
radod_mount()
