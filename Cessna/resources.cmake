# The Cessna panel document and its layout-string helpers.
radod_mount()
