# Images of the layout menus: the background and the tick are drawn by
# tools/artwork/cessna.cpp, one source for the Cessna, stand-by, Baron and
# Caravan menus.
radod_mount(ARTWORK bg_config.jpg check.jpg ALSO_AT Baron/images Caravan/images)
