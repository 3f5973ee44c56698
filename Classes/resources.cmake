radod_mount(FILES Interpolate.js)
