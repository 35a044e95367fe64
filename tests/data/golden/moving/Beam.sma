4
0, abutment A
8, pier 1
18, pier 2
26, abutment B
4
1, 1, 0, abutment A
2, 1, 0, pier 1
3, 1, 0, pier 2
4, 1, 0, abutment B
1
2E8, steel
1
0.0004, girder
3
1, 2, 1, 1, side span 1
2, 3, 1, 1, main span
3, 4, 1, 1, side span 2
3
1, 2, 12, 12, 0, 0, deck and surfacing
2, 2, 12, 12, 0, 0, deck and surfacing
3, 2, 12, 12, 0, 0, deck and surfacing
0
CASES, 2
moving, traffic
3, 9, lorry and lane load
60, 0, front axle
120, 3.6, first rear axle
120, 1.2, second rear axle
variable, footway
2
1, 2, 5, 5, 0, 0, crowd on side span 1
2, 1, 40, 0, 5, 0, kiosk on the main span
0
COMBINATIONS, 2
1.35, 1.0, 1.35, 0, 1.5, 0, ULS
1, 1, 1, 0, 1, 0, SLS
