# Warning annunciator strip of the Cessna panel.
radod_mount(
    ARTWORK AnnunciatorBack.png AnnunciatorLowFuel.png AnnunciatorLowFuelL.png
            AnnunciatorLowFuelR.png AnnunciatorOilPress.png AnnunciatorVac.png
            AnnunciatorVacL.png AnnunciatorVacR.png AnnunciatorVolts.png
    ALSO_AT Cessna/instrumentos/Annunciator)
