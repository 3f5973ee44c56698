# Oil temperature and pressure of each Baron engine.
radod_mount(ARTWORK oil_backdrop.png oil_backdrop.1x.png)
