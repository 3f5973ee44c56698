# Cylinder-head and exhaust-gas temperatures of each Baron engine.
radod_mount(ARTWORK temp_backdrop.png temp_backdrop.1x.png)
