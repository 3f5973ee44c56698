# Tachometer of each Baron engine.
radod_mount(ARTWORK rpm_backdrop.png rpm_backdrop.1x.png)
