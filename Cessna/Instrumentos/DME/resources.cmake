# The DME readout. The Cessna panel imports it through the lower-case
# instrumentos folder as well; that path exists only in the resource tree (two
# source folders differing in case would collide on Windows). Its fonts are the
# avionics radio panel's (qrc:/RadioAvionico/fonts, mounted by fonts/).
radod_mount(ALSO_AT Cessna/instrumentos/DME)
