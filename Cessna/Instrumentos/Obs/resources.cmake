# The second course indicator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK OBS2navflag.1x.png OBS2navfr.1x.png OBS2navto.1x.png OBScover.1x.png VORwBG.1x.png Cutouts.js OBS2navfr.png OBS2navto.png OBS2navflag.png VORwBG.png OBSneedle.png
            OBScard.png OBScover.png
    ALSO_AT Cessna/instrumentos/Obs)
