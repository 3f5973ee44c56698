# Oil temperature and pressure of each Baron engine.
radod_mount(ARTWORK oil_backdrop.png)
