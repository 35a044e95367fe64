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
SETTLEMENTS, 1
2, 2, -0.01, 0, pier sinks
CASES, 1
moving, lorry
1, 0, lorry
100, 0, axle
