.pragma library

// Conversions from the units of the value vector to the units that some faces
// read. The vector carries SI-leaning units where its fields are shared
// (degrees Celsius, kilograms, kilograms per second, newton-metres; the full
// table is in the README), and a panel whose face is marked in other units
// converts in its bindings, or its gauge does.

// Aviation gasoline: 0.721 kg per litre, about 6.0 lb per US gallon.
var avgasKilogramsPerLitre = 0.721
var litresPerUsGallon = 3.785411784
var avgasKilogramsPerUsGallon = avgasKilogramsPerLitre * litresPerUsGallon
var secondsPerHour = 3600

// A quantity of avgas in kilograms, as US gallons.
function kilogramsToGallons(kilograms) {
    return kilograms / avgasKilogramsPerUsGallon
}

// A flow of avgas in kilograms per second, as US gallons per hour.
function kgPerSecondToGallonsPerHour(kilogramsPerSecond) {
    return kilogramsPerSecond * secondsPerHour / avgasKilogramsPerUsGallon
}

function celsiusToFahrenheit(celsius) {
    return celsius * 9 / 5 + 32
}
