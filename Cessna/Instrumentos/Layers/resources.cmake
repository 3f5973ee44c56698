# The pieces the gauges build their layers from, imported by every gauge from
# this one resource folder.
radod_mount()
