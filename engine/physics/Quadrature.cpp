#include "physics/Quadrature.h"

void Quadrature::SetLimits(double a, double b)
{
    lower = a;
    upper = b;
    errorEstimate = 0;
    flag = 0;
}

void Quadrature::SetTolerances(double abs, double rel)
{
    absTol = abs > 0 ? abs : 0.1;
    relTol = rel > 0 ? rel : 0.1;
    errorEstimate = 0;
    flag = 0;
}
