# Tachometer of each Baron engine.
radod_mount(ARTWORK rpm_backdrop.png)
