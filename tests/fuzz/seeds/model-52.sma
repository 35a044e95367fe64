5
0, x
9, 
14.5, 
20.5, 
26.5, span
2
1
1, 1, "quoted, with comma"
5, 1, 0, span
2
2.1e+11, x
2.1e+11, x
2
8.5E-6, "quoted, with comma"
8.5E-6, 
4
1, 2, 1, 2, span
2
3, 2, 1, span
3, 4, 1, 2, 
4, 5
2
1, span
4
4, 3, 8, 7, 0, 0, span
4, 2, 8, 5, 0.5, 0, x
1, 4, 11, 6, 1, 0.5, 
2, 4, -5, 6, 0, 0.5, "quoted, with comma"
1
5, -2, 1, x
