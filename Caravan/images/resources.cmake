# Images of the Caravan panel: the faces of its own gauges and their needle.
# The G1000 engine strip: its background and its three vector pointers.
radod_mount(ARTWORK airspeed.png torque.png ponteiro.png
            EIS.png ponteiro.svg ponteiro2.svg ponteiro3.svg)
