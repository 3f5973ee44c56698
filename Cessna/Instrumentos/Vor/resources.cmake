# The VOR/ILS indicator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK vorOBScover.1x.png vorOBSgsflag.1x.png vorOBSgsflagoff.1x.png vorOBSnavflag.1x.png vorOBSnavfr.1x.png vorOBSnavto.1x.png vorVORILS.1x.png Cutouts.js vorOBSgsflagoff.png vorOBSgsflag.png vorOBSnavflag.png vorOBSnavfr.png
            vorOBSnavto.png vorVORILS.png vorOBSneedle.png vorOBScard.png vorOBScover.png
    ALSO_AT Cessna/instrumentos/Vor Baron/instrumentos/Vor)
