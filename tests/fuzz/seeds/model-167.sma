5
0, x
3.5, span
5.5, "quoted, with comma"
13.5, x
15, x
2
1, 1, 0, span
5, 1, 0, span
1
2.1e+11, x
2
8.5E-6, span
8.5E-6, x
4
2
1, 1, 1, 
2, 3, 1, 2, span
4, 3, 1, 2, 
5, 4, 1, 1, span
1
1, 3, 0, 3, 0, 0.25, x
0
