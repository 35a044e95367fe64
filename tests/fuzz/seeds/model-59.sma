2
0, x
1, span
2
1, 1, 1, 
2
1, 0, "quoted, with comma"
1
2.1e+11, "quoted, with comma"
1
8.5E-6, 

1
1, 2
1, 1, 
3
1, 2, 13, -3, 1, 0.5, span
1, 2, 3, 2, 0.5, 0, 
1, 1, -4, 5, 1, 0.5, "quoted, with comma"
0
