6
0, 
2.5, 
10, 
17.5, 
23.5, span
30, x
2
1, 1, 0, x
6, 1
0, x
1
2.1e+11, x
2
8.5E-6, span
0.0004, "quoted, with comma"
5
1, 2
1, 2, 
2, 3, 1, 2, span
3, 4, 1, 1, x
4, 5, 1, 1, 
5, 6
1, 1, "quoted, with comma"
0
0
