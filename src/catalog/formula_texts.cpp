// The formula texts of the catalogues, exactly as the program prints them.
// UTF-8 here, readable in the source; FormulaText() hands out their GBK form, converted
// once on first use and kept for the life of the program.
#include "catalog/formula_texts.h"

#include "platform/text_codec.h"

#include <string>
#include <vector>

namespace catalog {

const char kEmptyFormula[] = "";

namespace {

// nullptr: the entry has no text of its own.
// catalogue A: f(x) of forms 0..81
const char* const kExplicitF[] = {
    /* 0 */ "f(x)=(ax^2+bx+c)^α",
    /* 1 */ "f(x)=α^(ax^2+bx+c)",
    /* 2 */ "f(x)=ln(ax^2+bx+c)/lnα",
    /* 3 */ "f(x)=sinx",
    /* 4 */ "f(x)=cosx",
    /* 5 */ "f(x)=tanx",
    /* 6 */ "f(x)=cotx",
    /* 7 */ "f(x)=secx",
    /* 8 */ "f(x)=cscx",
    /* 9 */ "f(x)=asinx",
    /* 10 */ "f(x)=acos x",
    /* 11 */ "f(x)=atanx",
    /* 12 */ "f(x)=acot x",
    /* 13 */ "f(x)=asecx",
    /* 14 */ "f(x)=acscx",
    /* 15 */ "f(x)=shx",
    /* 16 */ "f(x)=chx",
    /* 17 */ "f(x)=thx",
    /* 18 */ "f(x)=sgnx",
    /* 19 */ "f(x)=|ax^2+bx+c|",
    /* 20 */ "f(x)=x",
    /* 21 */ "f(x)=x^2",
    /* 22 */ "f(x)=x^3",
    /* 23 */ "f(x)=x^(1/3)",
    /* 24 */ "f(x)=1/x",
    /* 25 */ "f(x)=√x ",
    /* 26 */ "f(x)=[x]",
    /* 27 */ "f(x)=(1+1/x)^x",
    /* 28 */ "f(x)=exp(1/x)",
    /* 29 */ "f(x)=sinx/x",
    /* 30 */ "f(x)=sin(1/x)",
    /* 31 */ "温度曲线",
    /* 32 */ "f(x)=asin(bx+c)+dcos(ex+f)",
    /* 33 */ "f(x)=(ax^2+bx+c)(dcosx+esinx+f)",
    /* 34 */ "f(x)=ax^2+bx+c+√(dx^2+ex+f)",
    /* 35 */ "f(x)=dx^2+ex+f+exp(ax^2+bx+c)",
    /* 36 */ "f(x)=sin(ax^2+bx+c)",
    /* 37 */ "f(x)=cos(ax^2+bx+c)",
    /* 38 */ "f(x)=ln(ax^2+bx+c)",
    /* 39 */ "f(x)=ax^2+bx+c",
    /* 40 */ "f(x)=ax^3+bx^2+cx+d",
    /* 41 */ "f(x)=ax^4+bx^3+cx^2+dx+e",
    /* 42 */ "f(x)=(ax^2+bx+c)/(dx^2+ex+f)",
    /* 43 */ "(ax^2+bx+csinx)/(dx^2+ex+f)",
    /* 44 */ "f(x)=(ax^2+bx+ccosx)/(dx^2+ex+f)",
    /* 45 */ "f(x)=(a+bsinx+ccosx)/(dx^2+ex+f)",
    /* 46 */ "f(x)=(aexp(cx)+b)/(dexp(ex)+f)",
    /* 47 */ "f(x)=√(ax^2+bx+c) ",
    /* 48 */ "f(x)=(ax^2+bx+c)/√(dx^2+ex+f) ",
    /* 49 */ "f(x)=|asin(bx+c)+dcos(ex+f)|",
    /* 50 */ "f(x)=sin((ax^2+bx+c)/(dx^2+ex+f))",
    /* 51 */ "f(x)=cos((ax^2+bx+c)/(dx^2+ex+f))",
    /* 52 */ "f(x)=1+(-1)^[x]/x",
    /* 53 */ "f(x)=(ax^2+bx+c)^α/(dx^2+ex+f)^β ",
    /* 54 */ "f(x)=(ax^2+bx+c)^α+(dx^2+ex+f)^β ",
    /* 55 */ "f(x)=(dx^2+ex+f)exp(ax^2+bx+c)",
    /* 56 */ "f(x)=(dx^2+ex+f)sin(ax^2+bx+c)",
    /* 57 */ "f(x)=(dx^2+ex+f)cos(ax^2+bx+c)",
    /* 58 */ "f(x)=(dx^2+ex+f)ln(ax^2+bx+c)",
    /* 59 */ "f(x)=6+(x-1)(x-4)(1+0.5sin(2x))",
    /* 60 */ "f(x)=6-(x-1)(x-4)(1+0.5cos(3x))",
    /* 61 */ "f(x)=-429.744(x+400.(exp(-0.0025x)-1.))",
    /* 62 */ "f(x)=d[(ax^2+bx+c)^α]^β+ex+f",
    /* 63 */ "f(x)=ax^2+bx+c x<x0, f(x)=dx^2+ex+f x>x0",
    /* 64 */ "f(x)=ax^2+bx+c x<x0, f(x)=dx^2+ex+f x0<x<x1 f(x)=gx^2+hx+k x1<x",
    /* 65 */ "f(x)=acosx+bsinx+c x<x0,f(x)=dcosx+esinx+f x0<x, ",
    /* 66 */ "f(x)=ax^2+bx+c x<x0 f(x)=dcosx+esinx+f x>x0",
    /* 67 */ "f(x)=acosx+bsinx+c x<x0 f(x)=dx^2+ex+f x>x0",
    /* 68 */ "f(x)=√(ax^2+bx+c) x<x0 f(x)=dx^2+ex+f x>x0",
    /* 69 */ "f(x)=ax^2+bx+c x<x0 f(x)=√(dx^2+ex+f) x>x0",
    /* 70 */ "介绍极值和最值曲线",
    /* 71 */ "f(x)=aexp(bx+c)",
    /* 72 */ "f(x)=ax(bx+c)",
    /* 73 */ "f(x)=[(a+b)x+ab]/(x+a)",
    /* 74 */ "f(x)=Γ(x) x>0",
    /* 75 */ "f(x)=1/(b-a) a<x<b;",
    /* 76 */ "f(x)=λexp(-λx) x>0;",
    /* 77 */ "f(x)=exp(-(x-μ)^2/σ^2/2)/√(2π)/σ",
    /* 78 */ "f(x)=Γ((n+1)/2)/√(nπ)/Γ(n/2)(1+x^2/n)^((n+1)/2) x>0",
    /* 79 */ "f(x)=(x/2)^(n/2)exp(-x/2)/2/Γ(n/2) x>0",
    /* 80 */ "f(x)=(mx/n)^(m/2)(1+mx/n)^(-(m+n)/2)/x/B(m/2,n/2) x>0",
    /* 81 */ "f(x)=β[β(x-λ)]^αexp[-β(x-λ)]/Γ(α) x>λ",
};

// catalogue B: g(x) of forms 0..73
const char* const kExplicitG[] = {
    /* 0 */ "g(x)=(ax^2+bx+c)^α",
    /* 1 */ "g(x)=α^(ax^2+bx+c)",
    /* 2 */ "g(x)=ln(ax^2+bx+c)/lnα",
    /* 3 */ "g(x)=sinx",
    /* 4 */ "g(x)=cosx",
    /* 5 */ "g(x)=tanx",
    /* 6 */ "g(x)=cotx",
    /* 7 */ "g(x)=secx",
    /* 8 */ "g(x)=cscx",
    /* 9 */ "g(x)=asinx",
    /* 10 */ "g(x)=acos x",
    /* 11 */ "g(x)=atanx",
    /* 12 */ "g(x)=acot x",
    /* 13 */ "g(x)=asecx",
    /* 14 */ "g(x)=acscx",
    /* 15 */ "g(x)=shx",
    /* 16 */ "g(x)=chx",
    /* 17 */ "g(x)=thx",
    /* 18 */ "g(x)=sgnx",
    /* 19 */ "g(x)=|ax^2+bx+c|",
    /* 20 */ "g(x)=x",
    /* 21 */ "g(x)=x^2",
    /* 22 */ "g(x)=x^3",
    /* 23 */ "g(x)=x^(1/3)",
    /* 24 */ "g(x)=1/x",
    /* 25 */ "g(x)=√x ",
    /* 26 */ "g(x)=[x]",
    /* 27 */ "g(x)=(1+1/x)^x",
    /* 28 */ "g(x)=exp(1/x)",
    /* 29 */ "g(x)=sinx/x",
    /* 30 */ "g(x)=sin(1/x)",
    /* 31 */ "温度曲线",
    /* 32 */ "g(x)=asin(bx+c)+dcos(ex+f)",
    /* 33 */ "g(x)=(ax^2+bx+c)(dcosx+esinx+f)",
    /* 34 */ "g(x)=ax^2+bx+c+dx^2+ex",
    /* 35 */ "g(x)=exp(ax^2+bx+c)",
    /* 36 */ "g(x)=sin(ax^2+bx+c)",
    /* 37 */ "g(x)=cos(ax^2+bx+c)",
    /* 38 */ "g(x)=ln(ax^2+bx+c)",
    /* 39 */ "g(x)=ax^2+bx+c",
    /* 40 */ "g(x)=ax^3+bx^2+cx+d",
    /* 41 */ "g(x)=ax^4+bx^3+cx^2+dx+e",
    /* 42 */ "g(x)=(ax^2+bx+c)/(dx^2+ex+f)",
    /* 43 */ "g(x)=ax^2+bx+csinx)/(dx^2+ex+f)",
    /* 44 */ "g(x)=(ax^2+bx+ccosx)/(dx^2+ex+f)",
    /* 45 */ "g(x)=(a+bsinx+ccosx)/(dx^2+ex+f)",
    /* 46 */ "g(x)=(aexp(cx)+b)/(dexp(ex)+f)",
    /* 47 */ "g(x)=√(ax^2+bx+c) ",
    /* 48 */ "g(x)=(ax^2+bx+c)√(dx^2+ex+f) ",
    /* 49 */ "g(x)=|asin(bx+c)+dcos(ex+f)|",
    /* 50 */ "g(x)=sin((ax^2+bx+c)/(dx^2+ex+f))",
    /* 51 */ "g(x)=cos((ax^2+bx+c)/(dx^2+ex+f))",
    /* 52 */ "g(x)=1+(-1)^[x]/x",
    /* 53 */ "g(x)=(ax^2+bx+c)^α/(dx^2+ex+f)^β ",
    /* 54 */ "g(x)=(ax^2+bx+c)^α+(dx^2+ex+f)^β ",
    /* 55 */ "g(x)=(dx^2+ex+f)exp(ax^2+bx+c)",
    /* 56 */ "g(x)=(dx^2+ex+f)sin(ax^2+bx+c)",
    /* 57 */ "g(x)=(dx^2+ex+f)cos(ax^2+bx+c)",
    /* 58 */ "g(x)=(dx^2+ex+f)ln(ax^2+bx+c)",
    /* 59 */ "g(x)=6+(x-1)(x-4)(1+0.5sin(2x))",
    /* 60 */ "g(x)=6-(x-1)(x-4)(1+0.5cos(3x))",
    /* 61 */ "g(x)=-429.744(x+400.(exp(-0.0025x)-1.))",
    /* 62 */ "g(x)=d[(ax^2+bx+c)^α]^β+ex+f",
    /* 63 */ "g(x)=ax^2+bx+c x<x0, g(x)=dx^2+ex+f x>x0",
    /* 64 */ "g(x)=ax^2+bx+c x<x0, g(x)=dx^2+ex+f x0<x<x1 f(x)=gx^2+hx+k x1<x",
    /* 65 */ "g(x)=acosx+bsinx+c x<x0,g(x)=dcosx+esinx+f x0<x, ",
    /* 66 */ "g(x)=ax^2+bx+c x<x0 g(x)=dcosx+esinx+f x>x0",
    /* 67 */ "g(x)=acosx+bsinx+c x<x0 g(x)=dx^2+ex+f x>x0",
    /* 68 */ "g(x)=√(ax^2+bx+c) x<x0 g(x)=dx^2+ex+f x>x0",
    /* 69 */ "g(x)=ax^2+bx+c x<x0 g(x)=√(dx^2+ex+f) x>x0",
    /* 70 */ "介绍极值和最值曲线",
    /* 71 */ "g(x)=exp(bx+c)",
    /* 72 */ "g(x)=ax(bx+c)",
    /* 73 */ "g(x)=[(a+b)x+ab]/(x+a)",
};

// parametric forms 1..21
const char* const kParametric[] = {
    /* 1 */ "x=acost+c, y=bsint+d",
    /* 2 */ "x=t, y=50t-4.9t^2",
    /* 3 */ "x=t-sint, y=1-cost",
    /* 4 */ "x=cost(1-cost), y=sint(1-cost)",
    /* 5 */ "(cost)^3, y=(sint)^3",
    /* 6 */ "x=sint, y=t",
    /* 7 */ "x=cost, y=t",
    /* 8 */ "x=tant, y=t",
    /* 9 */ "x=cott, y=t",
    /* 10 */ "x=sect, y=t",
    /* 11 */ "x=csct, y=t",
    /* 12 */ "x=sht, y=t",
    /* 13 */ "x=cht, y=t",
    /* 14 */ "x=tht, y=t",
    /* 15 */ "x=ccos(at+b), y=fsin(dt+e)",
    /* 16 */ nullptr,
    /* 17 */ nullptr,
    /* 18 */ "x=0.5(t^(1-a/b)-t^(1+a/b), y=t",
    /* 19 */ "x=[a+bcos(ct)]cost, y=[d+ecos(ft)]sint",
    /* 20 */ "x=at^2+bt+c)cost, y=(dt^2+et+f)sint",
    /* 21 */ nullptr,
};

// implicit forms 1..9
const char* const kImplicit[] = {
    /* 1 */ "x*x+y*y=R^2",
    /* 2 */ "y^5+2y-x-3x^7=0",
    /* 3 */ "e-exp(y)-x*y=0",
    /* 4 */ "x^2/16+y^2/9=1",
    /* 5 */ "x=y+0.5sin(x+y)",
    /* 6 */ "y=sin(x+y)",
    /* 7 */ "sin(ax^2+bxy+cy^2)=dx+ey+f",
    /* 8 */ "ax^2+bxy+cy^2+dx+ey+f=0",
    /* 9 */ "(ax^2+by^2+c)(dx^2+ey^2+f)=0",
};

// upper surface forms -1..30
const char* const kSurfaceF[] = {
    /* -1 */ nullptr,
    /* 0 */ nullptr,
    /* 1 */ "f(x,y)=ax^2+bxy+cy^2+dx+ey+f",
    /* 2 */ "f(x,y)=√(ax^2+bxy+cy^2+dx+ey+f)",
    /* 3 */ "f(x,y)=-√(ax^2+bxy+cy^2+dx+ey+f)",
    /* 4 */ "f(x,y)=(a+bx^2+cy^2)sin(d+ex^2+fy^2)",
    /* 5 */ "f(x,y)=(a+bx+cy)sin(d+ex+fy)",
    /* 6 */ "f(x,y)=sin(a+bx^2+cy^2)/(d+ex^2+fy^2)",
    /* 7 */ "f(x,y)=(ax^2+bxy+cy^2+dx+ey+f)^α+z0",
    /* 8 */ "f(x,y)=-(ax^2+bxy+cy^2+dx+ey+f)^α+z0",
    /* 9 */ "f(x,y)=cos(dx+ey+f)e^(ax^2+bxy+cy^2)",
    /* 10 */ "f(x,y)=(ax^2+bxy+cy^2)/√(dx^2+exy+fy^2)",
    /* 11 */ "f(x,y)=(ax^2+bxy+cy^2+dx+ey+f)/(a1x^2+b1xy+c1y^2+d1x+e1y+f1)",
    /* 12 */ "f(x,y)=sin(a+bx^2+cy^2)/(d+ex^2+fy^2)",
    /* 13 */ "f(x,y)=(ax^2+bxy+cy^2)sin[1/(d+ex^2+fy^2)]",
    /* 14 */ "f(x,y)=a(x-x0)^2+b(x-x0)(y-y0)+c(y-y0)^2+d|x-x0|+e|y-y0|+f",
    /* 15 */ "f(x,y)=Re(AZ^2+BZ+C)",
    /* 16 */ "f(x,y)=sin(ax^2+bxy+cy^2+dx+ey+f)",
    /* 17 */ "f(x,y)=f(x)",
    /* 18 */ "f(x,y)=f(y)",
    /* 19 */ "f(x,y)=f(r), r=√(x^2+y^2)",
    /* 20 */ nullptr,
    /* 21 */ "f(x,y)=Im(AZ^2+BZ+C)",
    /* 22 */ nullptr,
    /* 23 */ nullptr,
    /* 24 */ nullptr,
    /* 25 */ nullptr,
    /* 26 */ nullptr,
    /* 27 */ nullptr,
    /* 28 */ nullptr,
    /* 29 */ nullptr,
    /* 30 */ "π1:z=ax+by+c",
};

// lower surface forms -1..30
const char* const kSurfaceG[] = {
    /* -1 */ nullptr,
    /* 0 */ nullptr,
    /* 1 */ "g(x,y)=ax^2+bxy+cy^2+dx+ey+f",
    /* 2 */ "g(x,y)=√(ax^2+bxy+cy^2+dx+ey+f)",
    /* 3 */ "g(x,y)=-√(ax^2+bxy+cy^2+dx+ey+f)",
    /* 4 */ "g(x,y)=(a+bx^2+cy^2)sin(d+ex^2+fy^2)",
    /* 5 */ "g(x,y)=(a+bx+cy)sin(d+ex+fy)",
    /* 6 */ "g(x,y)=sin(a+bx^2+cy^2)/(d+ex^2+fy^2)",
    /* 7 */ "g(x,y)=(ax^2+bxy+cy^2+dx+ey+f)^α+z0",
    /* 8 */ "g(x,y)=-(ax^2+bxy+cy^2+dx+ey+f)^α+z0",
    /* 9 */ "g(x,y)=cos(dx+ey+f)e^(ax^2+bxy+cy^2)",
    /* 10 */ "g(x,y)=(ax^2+bxy+cy^2)/√(dx^2+exy+fy^2)",
    /* 11 */ "g(x,y)=(a1x^2+b1xy+c1y^2+d1x+e1y+f1)/(ax^2+bxy+cy^2+dx+ey+f)",
    /* 12 */ "g(x,y)=sin(a+bx^2+cy^2)/(d+ex^2+fy^2)",
    /* 13 */ "g(x,y)=(ax^2+bxy+cy^2)sin[1/(d+ex^2+fy^2)]",
    /* 14 */ "g(x,y)=a(x-x0)^2+b(x-x0)(y-y0)+c(y-y0)^2+d|x-x0|+e|y-y0|+f",
    /* 15 */ "g(x,y)=Re(AZ^2+BZ+C)",
    /* 16 */ "g(x,y)=sin(ax^2+bxy+cy^2+dx+ey+f)",
    /* 17 */ "g(x,y)=f(x)",
    /* 18 */ "g(x,y)=f(y)",
    /* 19 */ "g(x,y)=f(r), r=√(x^2+y^2)",
    /* 20 */ nullptr,
    /* 21 */ "g(x,y)=Im(AZ^2+BZ+C)",
    /* 22 */ nullptr,
    /* 23 */ nullptr,
    /* 24 */ nullptr,
    /* 25 */ nullptr,
    /* 26 */ nullptr,
    /* 27 */ nullptr,
    /* 28 */ nullptr,
    /* 29 */ nullptr,
    /* 30 */ "π2:z=dx+ey+f",
};

// first-order right-hand sides f(x,y), forms 1..9
const char* const kOdeFxy[] = {
    /* 1 */ "f(x,y)=ax^2+bxy+cy^2+dx+ey+f",
    /* 2 */ "f(x,y)=(ax+by+c)/(dx+ey+f)",
    /* 3 */ "f(x,y)=(ax^2+bxy+cy^2)/(dx^2+exy+fy^2)",
    /* 4 */ "f(x,y)=ax+by+c+sin(dx^2+exy+fy^2)",
    /* 5 */ "f(x,y)=ax+by+c+cos(dx^2+exy+fy^2)",
    /* 6 */ "f(x,y)=ax+by+c+√(dx^2+exy+fy^2)",
    /* 7 */ "f(x,y)=ax+by+c+sin(dx+ey+f)",
    /* 8 */ "f(x,y)=ax+by+c+cos(dx+ey+f)",
    /* 9 */ "f(x,y)=-0.62a√(19.6*y)/(A(y)",
};

// first equation x' of a system, forms 1..9
const char* const kOdeSystemX[] = {
    /* 1 */ "x'=ax^2+bxy+cy^2+dx+ey+f",
    /* 2 */ "x'=(ax+by+c)/(dx+ey+f)",
    /* 3 */ "x'=(ax^2+bxy+cy^2)/(dx^2+exy+fy^2)",
    /* 4 */ "x'=ax+by+c+sin(dx^2+exy+fy^2)",
    /* 5 */ "x'=ax+by+c+cos(dx^2+exy+fy^2)",
    /* 6 */ "x'=ax+by+c+√(dx^2+exy+fy^2)",
    /* 7 */ "x'=ax+by+c+sin(dx+ey+f)",
    /* 8 */ "x'=ax+by+c+cos(dx+ey+f)",
    /* 9 */ "x'=-0.62a√(19.6*y)/A(y)",
};

// second equation y' of a system, forms 0..15
const char* const kOdeSystemY[] = {
    /* 0 */ "y'=-py-qx+f(t)",
    /* 1 */ "y'=ax^2+bxy+cy^2+dx+ey+f",
    /* 2 */ "y'=(ax+by+c)/(dx+ey+f)",
    /* 3 */ "y'=(ax^2+bxy+cy^2)/(dx^2+exy+fy^2)",
    /* 4 */ "y'=ax+by+c+sin(dx^2+exy+fy^2)",
    /* 5 */ "y'=ax+by+c+cos(dx^2+exy+fy^2)",
    /* 6 */ "y'=ax+by+c+√(dx^2+exy+fy^2)",
    /* 7 */ "y'=ax+by+c+sin(dx+ey+f)",
    /* 8 */ "y'=ax+by+c+cos(dx+ey+f)",
    /* 9 */ "y'=(1/2x+1/(x-1))y^2-y/t+(x-1)^2(ax+b/x)/t^2...",
    /* 10 */ "y'=6x^2+t",
    /* 11 */ "y'=2x^3+tx+a",
    /* 12 */ "y'=y^2/x-y/t+(ax^2+b)/t+cx^3+d/x",
    /* 13 */ "y'=0.5y^2/x+1.5x^3+4tx^2+2(t^2-a)x+b/x",
    /* 14 */ "y'=(1/x+1/(x-1)+1/(x-t))*y^2...",
    /* 15 */ "y'=-ay-b*x-cx^3+d*cos(e*t)",
};

// second-order forms y'' = f(x,y,y'), 0..15
const char* const kOdeSecondOrder[] = {
    /* 0 */ "f(x,y,y')=-py'-qy+f(x)",
    /* 1 */ "f(x,y,y')=ax^2+bxy+cy^2+dx+ey+f",
    /* 2 */ "f(x,y,y')=(ax+by+c)/(dx+ey+f)",
    /* 3 */ "f(x,y,y')=(ax^2+bxy+cy^2)/(dx^2+exy+fy^2)",
    /* 4 */ "f(x,y,y')=ax+by+c+sin(dx^2+exy+fy^2)",
    /* 5 */ "f(x,y,y')=ax+by+c+cos(dx^2+exy+fy^2)",
    /* 6 */ "f(x,y,y')=ax+by+c+√(dx^2+exy+fy^2)",
    /* 7 */ "f(x,y,y')=ax+by+c+sin(dx+ey+f)",
    /* 8 */ "f(x,y,y')=ax+by+c+cos(dx+ey+f)",
    /* 9 */ "f(x,y,y')=(1/2y+1/(y-1))y'^2-y'/x+(x-1)^2(ay+b/y)/x^2...",
    /* 10 */ "(x,y,y')=6y^2+x",
    /* 11 */ "f(x,y,y')=2y^3+xy+a",
    /* 12 */ "f(x,y,y')=y'^2/y-y'/x+(ay^2+b)/x+cy^3+d/y",
    /* 13 */ "f(x,y,y')=0.5y'^2/y+1.5y^3+4xy^2+2(x^2-a)y+b/y",
    /* 14 */ "f(x,y,y')=(1/y+1/(y-1)+1/(y-x))*y'^2...",
    /* 15 */ "f(x,y,y')=-ay'-b*y-cy^3+d*cos(e*x)",
};

struct Utf8Table {
    int first;
    int count;
    const char* const* text;
};

template <int N> constexpr Utf8Table Table(int first, const char* const (&text)[N]) {
    return Utf8Table{first, N, text};
}

const Utf8Table kTables[] = {
    Table(0, kExplicitF),  Table(0, kExplicitG),      Table(1, kParametric), Table(1, kImplicit),
    Table(-1, kSurfaceF),  Table(-1, kSurfaceG),      Table(1, kOdeFxy),     Table(1, kOdeSystemX),
    Table(0, kOdeSystemY), Table(0, kOdeSecondOrder),
};

constexpr int kTableCount = int(sizeof(kTables) / sizeof(kTables[0]));

struct GbkTable {
    std::vector<std::string> text;
    std::vector<char> present;
};

std::vector<GbkTable> ConvertAll() {
    std::vector<GbkTable> all(kTableCount);
    for (int t = 0; t < kTableCount; ++t) {
        const Utf8Table& src = kTables[t];
        all[t].text.resize(src.count);
        all[t].present.resize(src.count, 0);
        for (int i = 0; i < src.count; ++i) {
            if (!src.text[i]) continue;
            all[t].text[i] = Gbk(src.text[i]);
            all[t].present[i] = 1;
        }
    }
    return all;
}

} // namespace

const char* FormulaText(FormulaTable table, int k) {
    static const std::vector<GbkTable> gbk = ConvertAll();
    const int t = int(table);
    if (t < 0 || t >= kTableCount) return nullptr;
    // In 64 bits: an index near the int limits must not overflow.
    const long long i = static_cast<long long>(k) - kTables[t].first;
    if (i < 0 || i >= kTables[t].count || !gbk[t].present[i]) return nullptr;
    return gbk[t].text[i].c_str();
}

} // namespace catalog
