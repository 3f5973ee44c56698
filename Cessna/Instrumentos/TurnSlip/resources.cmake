# The turn coordinator, one source mounted wherever a panel imports it.
radod_mount(
    ARTWORK TurnSlipBubble.1x.png turnslip.1x.png Cutouts.js turnslip.png turnslipflag.png turnslipplane.png TurnSlipBubble.png
    ALSO_AT Cessna/instrumentos/TurnSlip Cessna/StandBy/instrumentos/TurnSlip
            Baron/instrumentos/TurnSlip Caravan/instrumentos/TurnSlip)
