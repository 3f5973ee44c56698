# The second course indicator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK Cutouts.js OBS2navfr.png OBS2navto.png OBS2navflag.png VORwBG.png OBSneedle.png
            OBScard.png OBScover.png
    ALSO_AT Cessna/instrumentos/Obs)
