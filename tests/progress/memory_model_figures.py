#!/usr/bin/env python3
# Works the memory model's formulas from the scheduler sheet, independently of the C++ code, and prints the
# worked examples and a few random runs in the form test_memory_model.cpp tables them. Run it by hand.
import math
w=[0.212,1.2931,2.3065,8.2956,6.4133,0.8334,3.0194,0.001,1.8722,0.1666,0.796,1.4835,0.0614,0.2629,1.6483,0.6014,1.8729,0.5425,0.0912,0.0658,0.1542]
r8=lambda x: round(x,8)
decay=-w[20]
factor=r8(0.9**(1/decay)-1)
def R(t,S): return r8((1+factor*t/S)**decay)
def I(S):
    return min(max(1,round(S*(0.9**(1/decay)-1)/factor)),36500)
def clamp(x,a,b): return max(a,min(b,x))
def d0(G): return w[4]-math.exp(w[5]*(G-1))+1
def first(G):
    return r8(max(w[G-1],0.1)), r8(clamp(d0(G),1,10))
def nextD(D,G):
    dd=-w[6]*(G-3); d1=D+dd*(10-D)/9
    d2=w[7]*d0(4)+(1-w[7])*d1
    return r8(clamp(d2,1,10))
def nextS(S,D,Rv,G):
    if G==1:
        sf=w[11]*D**(-w[12])*((S+1)**w[13]-1)*math.exp(w[14]*(1-Rv))
        return r8(clamp(sf,0.001,S))
    h=w[15] if G==2 else 1; b=w[16] if G==4 else 1
    s=S*(1+math.exp(w[8])*(11-D)*S**(-w[9])*(math.exp(w[10]*(1-Rv))-1)*h*b)
    return r8(clamp(s,0.001,36500))
def intervals(Ss):
    a,h,g,e=[I(s) for s in Ss]
    a=min(a,h); h=max(h,a+1); g=max(g,h+1); e=max(e,g+1)
    return [a,h,g,e]
def run(seq):
    state=None; out=[]
    for day,G in seq:
        if state is None:
            Ss=[first(g)[0] for g in (1,2,3,4)]
            S,D=first(G)
        else:
            S0,D0,last=state; t=day-last; Rv=R(t,S0)
            Ss=[nextS(S0,D0,Rv,g) for g in (1,2,3,4)]
            S=Ss[G-1]; D=nextD(D0,G)
        iv=intervals(Ss)[G-1]
        state=(S,D,day)
        out.append((day,G,S,D,iv))
    return out

for seq in [[(0,3),(2,3),(10,3),(40,1),(41,3)],[(0,1),(1,1),(2,3),(5,3),(5,3)]]:
    for row in run(seq): print("day %d G%d S=%.4f D=%.4f I=%d"%row)
    print()
import random
rng=random.Random(23)
print("// generated")
for n in range(6):
    day=0; seq=[]
    grades=(1,3) if n<4 else (1,2,3,4)
    for k in range(rng.randint(5,9)):
        if k>0: day+=rng.choice([0,1,2,3,5,8,13,30,90,400])
        seq.append((day,rng.choice(grades)))
    res=run(seq)
    print(" | ".join("%d %d %.4f %.4f %d"%r for r in res))
