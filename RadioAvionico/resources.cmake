# The avionics radio panel, the frame and readers shared with the compact
# panel, and the images the generator draws for it (tools/artwork/radio.cpp).
# Its fonts are mounted by fonts/resources.cmake.
radod_mount(ARTWORK images/RadioAvionicoOff.png images/bg_config.jpg images/check.jpg)
