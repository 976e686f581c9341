// CHalin's members are the formulas of Formulas.cpp under the names clients
// bind to; only GetVersion needs the framework.
#include "Halin.h"
#include "AfxModule.h"
#include "Formulas.h"
#include "HaliVersion.h"

CHalin::CHalin() {}

CHalin::CHalin(const CHalin&) {}

CHalin& CHalin::operator=(const CHalin&)
{
    return *this;
}

CHalin::~CHalin() {}

double CHalin::GetDensity(double dSalinity, double dTemp, double dPressure)
{
    return formulas::Density(dSalinity, dTemp, dPressure);
}

double CHalin::GetPotentialTemp(double dSalinity, double dTemp, double dPressure)
{
    return formulas::PotentialTemp(dSalinity, dTemp, dPressure);
}

double CHalin::GetSpecificGravity(double dWaterTemp, double dBaseGravity, double dBaseTemp,
                                  double dSalinity, double dPressure, int bPotential)
{
    return formulas::SpecificGravity(dWaterTemp, dBaseGravity, dBaseTemp, dSalinity, dPressure, bPotential);
}

double CHalin::GetDepth(double dPressure, double dLatitude)
{
    return formulas::Depth(dPressure, dLatitude);
}

double CHalin::GetDissolvedCarbonDioxide(double dPH, double dCarbonate)
{
    return formulas::DissolvedCarbonDioxide(dPH, dCarbonate);
}

double CHalin::ALK2KH(double dAlkalinity) { return formulas::AlkalinityToHardness(dAlkalinity); }
double CHalin::KH2ALK(double dHardness) { return formulas::HardnessToAlkalinity(dHardness); }
double CHalin::meq2mg(double dMeq) { return formulas::MeqToMg(dMeq); }
double CHalin::mg2meq(double dMg) { return formulas::MgToMeq(dMg); }
double CHalin::mol2mg(double dMol) { return formulas::MolToMg(dMol); }
double CHalin::mg2mol(double dMg) { return formulas::MgToMol(dMg); }

CString CHalin::GetVersion()
{
    CString strVersion;
    // The caller's module is current while it runs; borrow the slot for one
    // load from this library and hand it back.
    HINSTANCE hCallerResources = AfxGetResourceHandle();
    AfxSetResourceHandle(AfxGetInstanceHandle());
    strVersion.LoadString(IDS_HALI_VERSION);
    AfxSetResourceHandle(hCallerResources);
    return strVersion;
}
