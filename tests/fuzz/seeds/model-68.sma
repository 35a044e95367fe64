3
0, "quoted, with comma"
9, span
17.5, 

2
1
1, 0, "quoted, with comma"
3, 1, 0, span
2
2.1e+11, "quoted, with comma"
2E8, x
1
8.5E-6, x
2
1, 2, 2, 1, "quoted, with comma"
2, 3, 2
1, 
2
2, 4, 2, 11, 0, 0.25, x
2
3, 9, 12, 0, 0, 
0
