# The parts the round engine dials of the Baron share: the dial and its needle,
# with the needle and cap images, mounted in each engine gauge's folder (the
# instrument-air gauge takes the two documents only, see its resources.cmake).
radod_mount(
    ARTWORK engine_neddle.png engine_center.png
    AT Baron/instrumentos/RPMBaron
    ALSO_AT Baron/instrumentos/PressBaron Baron/instrumentos/FuelFlowBaron
            Baron/instrumentos/OilBaron Baron/instrumentos/EngTempBaron)
