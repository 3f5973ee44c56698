# Manifold pressure of each Baron engine.
radod_mount(ARTWORK man_press_backdrop.png man_press_backdrop.1x.png)
