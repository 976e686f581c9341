// The formulas behind CHalin, as plain functions of doubles that need nothing
// but the mathematics library: no framework header reaches them. Units and
// edge behaviour are documented where clients read them, in Halin.h.
#pragma once

namespace formulas {

double Density(double dSalinity, double dTemp, double dPressure);        // EOS-80, kg/m^3
double PotentialTemp(double dSalinity, double dTemp, double dPressure);  // Bryden 1973, degC
double SpecificGravity(double dWaterTemp, double dBaseGravity, double dBaseTemp, double dSalinity, double dPressure,
                       int bPotential);
double Depth(double dPressure, double dLatitude);                        // UNESCO 1983, m
double DissolvedCarbonDioxide(double dPH, double dCarbonate);
double AlkalinityToHardness(double dAlkalinity);
double HardnessToAlkalinity(double dHardness);
double MeqToMg(double dMeq);
double MgToMeq(double dMg);
double MolToMg(double dMol);
double MgToMol(double dMg);

} // namespace formulas
