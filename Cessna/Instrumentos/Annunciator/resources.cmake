# Warning annunciator strip of the Cessna panel.
radod_mount(
    ARTWORK AnnunciatorBack.1x.png AnnunciatorLowFuel.1x.png AnnunciatorLowFuelL.1x.png AnnunciatorLowFuelR.1x.png AnnunciatorOilPress.1x.png AnnunciatorVac.1x.png AnnunciatorVacL.1x.png AnnunciatorVacR.1x.png AnnunciatorVolts.1x.png AnnunciatorBack.png AnnunciatorLowFuel.png AnnunciatorLowFuelL.png
            AnnunciatorLowFuelR.png AnnunciatorOilPress.png AnnunciatorVac.png
            AnnunciatorVacL.png AnnunciatorVacR.png AnnunciatorVolts.png
    ALSO_AT Cessna/instrumentos/Annunciator)
