3
0, joint 1
5, joint 2
12, joint 3
3
1, 1, 1, fixed end
2, 1, 0, roller
3, 1, 0, roller
1
2E8, steel
1
0.0004, beam section
2
1, 2, 1, 1, span 1
2, 3, 1, 1, span 2
2
1, 1, 10, 0, 2, 0, point load on span 1
2, 2, 6, 6, 0, 0, uniform load on span 2
1
2, 0, 5, moment at joint 2
CASES, 2
variable, live
2
1, 2, 10, 10, 0, 0, office load span 1
2, 2, 10, 10, 0, 0, office load span 2
0
fixed, wind
0
1
2, 0, 5, wind moment at joint 2
COMBINATIONS, 1.5
1.35, 1.0, 1.5, 0, 1.5, 0, ULS
1, 1, 1, 0, 0, 0, SLS
