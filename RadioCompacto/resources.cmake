# The compact radio panel and the images the generator draws for it
# (tools/artwork/radio.cpp). Its fonts are mounted by fonts/resources.cmake.
radod_mount(ARTWORK images/FUNDO5.png images/bg_config.jpg images/check.jpg)
