# Images of the Caravan panel: the faces of its own gauges and their needle.
radod_mount(ARTWORK airspeed.png torque.png ponteiro.png)
