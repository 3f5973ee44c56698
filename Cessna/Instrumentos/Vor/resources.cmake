# The VOR/ILS indicator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK Cutouts.js vorOBSgsflagoff.png vorOBSgsflag.png vorOBSnavflag.png vorOBSnavfr.png
            vorOBSnavto.png vorVORILS.png vorOBSneedle.png vorOBScard.png vorOBScover.png
    ALSO_AT Cessna/instrumentos/Vor Baron/instrumentos/Vor)
