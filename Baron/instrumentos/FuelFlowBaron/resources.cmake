# Fuel flow of each Baron engine.
radod_mount(ARTWORK fuel_flow_backdrop.png fuel_flow_backdrop.1x.png)
