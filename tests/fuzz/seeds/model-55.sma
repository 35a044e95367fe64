6
0, 
2.5, "quoted, with comma"
5, x
12, 
13, x
20.5, 
2
1, 1, 1, 
6, 1, 0, span
2
2.1e+11, span
2E8, "quoted, with comma"
1
8.5E-6, span
5
1, 2, 2, 1, span
3, 2
1, 1, 
3, 4, 1, 1, 
4, 5, 2, 1, x
5, 6, 1, 1, "quoted, with comma"
2
5, 4, -5, 10, 0, 0.5, 
1, 1, 11, 8, 1, 0.5, "quoted, with comma"
0
